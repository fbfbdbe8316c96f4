[playlist]
NumberOfEntries=19

File0=http://s19.example/live
Title0=Station 19
Length0=-1

File1=http://s20.example/live
Title1=Station 20
Length1=-1

File2=http://s21.example/live
Title2=Station 21
Length2=-1

File3=http://s22.example/live
Title3=Station 22
Length3=-1

File4=http://s23.example/live
Title4=Station 23
Length4=-1

File5=http://s24.example/live
Title5=Station 24
Length5=-1

File6=http://s25.example/live
Title6=Station 25
Length6=-1

File7=http://s26.example/live
Title7=Station 26
Length7=-1

File8=http://s27.example/live
Title8=Station 27
Length8=-1

File9=http://s28.example/live
Title9=Station 28
Length9=-1

File10=http://s29.example/live
Title10=Station 29
Length10=-1

File11=http://s30.example/live
Title11=Station 30
Length11=-1

File12=http://s31.example/live
Title12=Station 31
Length12=-1

File13=http://s32.example/live
Title13=Station 32
Length13=-1

File14=http://s33.example/live
Title14=Station 33
Length14=-1

File15=http://s34.example/live
Title15=Station 34
Length15=-1

File16=http://s35.example/live
Title16=Station 35
Length16=-1

File17=http://s36.example/live
Title17=Station 36
Length17=-1

File18=http://s37.example/live
Title18=Station 37
Length18=-1

Version=2
