[playlist]
  File1 =  http://spaced.example/	live 	
  Title1 =  Spaced	title  
