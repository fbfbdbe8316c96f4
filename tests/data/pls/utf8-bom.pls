File1=http://bom.example/
Title1=Größe
